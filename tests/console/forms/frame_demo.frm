Begin Form frmDemo
   Caption = "Demo"
   ClientWidth = 4500
   ClientHeight = 3000
   Begin Frame fraDados
      Left = 150
      Top = 150
      Width = 3000
      Height = 1500
      Caption = "Dados"
      Begin Label lblNome
         Left = 300
         Top = 450
         Width = 1500
         Height = 300
         Caption = "Nome:"
         BackColor = &H0000FF00&
      End
   End
   Begin Image imgFlag
      Left = 3300
      Top = 150
      Width = 600
      Height = 300
      Picture = "../pictures/flag.png"
   End
   Begin Label lblOpcao
      Index = 2
      Left = 150
      Top = 1800
      Width = 1500
      Height = 300
      Caption = "Opção &2"
   End
End
