' A raised and a lowered horizontal line, and a lowered vertical one.
Begin Form frmLines
   Caption = "Lines"
   ClientWidth = 3000
   ClientHeight = 900
   Begin KLVCTL32.KelvoLine3D linRaised
      Left = 120
      Top = 240
      Width = 2280
      Height = 30
      LineStyle = 1
      LineOrientation = 1
   End
   Begin KLVCTL32.KelvoLine3D linLowered
      Left = 120
      Top = 600
      Width = 2280
      Height = 30
      LineStyle = 2
      LineOrientation = 1
   End
   Begin KLVCTL32.KelvoLine3D linVertical
      Left = 2640
      Top = 120
      Width = 30
      Height = 660
      LineStyle = 2
      LineOrientation = 0
   End
End
