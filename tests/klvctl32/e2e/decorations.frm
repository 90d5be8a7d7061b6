' A form using the four decorations: a toolbar bar holding a separator, a
' panel and a line.
Begin Form frmDecorations
   Caption = "Decorations"
   ClientWidth = 6000
   ClientHeight = 4000
   Begin KLVCTL32.KelvoTBBar tbrMain
      Left = 0
      Top = 0
      Width = 6000
      Height = 390
      Align = 1
      AutoHeight = 1
      ShowTwoLeftLines = 0
      Begin KLVCTL32.KelvoTBSeparator sepFirst
         Left = 600
         Top = 30
         Width = 30
         Height = 330
      End
   End
   Begin KLVCTL32.KelvoPanel3D pnlFrame
      Left = 120
      Top = 600
      Width = 3000
      Height = 1500
      BorderWidth = 3
      BorderIn = 1
   End
   Begin KLVCTL32.KelvoLine3D linDivider
      Left = 120
      Top = 2400
      Width = 3000
      Height = 30
      LineStyle = 2
      Light3DColor = &H00FFFFFF&
   End
End
