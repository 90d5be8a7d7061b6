Begin Form frmLabels
   Caption = "Labels"
   ClientWidth = 3000
   ClientHeight = 1500
   Begin Label lblTitle
      Left = 120
      Top = 120
      Width = 1500
      Height = 300
      Caption = "Kelvo"
   End
End
