' Three panels: raised outside, lowered outside, and a raised frame around a
' lowered inner edge with a wider border between them.
Begin Form frmPanels
   Caption = "Panels"
   ClientWidth = 4200
   ClientHeight = 1200
   Begin KLVCTL32.KelvoPanel3D pnlRaised
      Left = 120
      Top = 120
      Width = 1200
      Height = 960
      BorderOut = 1
      BorderIn = 0
   End
   Begin KLVCTL32.KelvoPanel3D pnlLowered
      Left = 1500
      Top = 120
      Width = 1200
      Height = 960
      BorderOut = 2
      BorderIn = 0
   End
   Begin KLVCTL32.KelvoPanel3D pnlFrame
      Left = 2880
      Top = 120
      Width = 1200
      Height = 960
      BorderOut = 1
      BorderIn = 2
      BorderWidth = 4
   End
End
