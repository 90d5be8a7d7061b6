Begin Form frmPanel
   Caption = "Panel"
   ClientWidth = 3000
   ClientHeight = 1500
   Begin KLVCTL32.KelvoPanel3D pnlFrame
      Left = 120
      Top = 120
      Width = 2700
      Height = 1200
   End
End
