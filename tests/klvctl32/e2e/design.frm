Begin Form frmDesign
   Caption = "Design"
   ClientLeft = 0
   ClientTop = 0
   ClientWidth = 6000
   ClientHeight = 3000
   Begin KLVCTL32.KelvoNumberEdit numLimit
      Left = 120
      Top = 120
      Width = 2400
      Height = 300
      IntMaxLength = 4
      DecMaxLength = 2
      AllowNegative = 0
      ThSeparator = -1
      NumberFormat = 1
      Enabled = -1
      Border3D = -1
      ForeColor = &H80000008&
      BackColor = &H80000005&
      NegativeColor = &H000000FF&
      Text = "12.50"
   End
   Begin KLVCTL32.KelvoTextEdit txtPhone
      Left = 120
      Top = 600
      Width = 2400
      Height = 300
      Mask = "(###) ###-####"
      MaxLength = 14
      Text = "5551234567"
      Enabled = -1
      Border3D = -1
      BackColor = &H80000005&
      ForeColor = &H80000012&
   End
   Begin KLVCTL32.KelvoCopyFile cpyBackup
      Left = 120
      Top = 1080
      Width = 3000
      Height = 360
   End
   Begin KLVCTL32.KelvoEnginer engFocus
      Left = 3600
      Top = 120
      Width = 900
      Height = 900
   End
End
