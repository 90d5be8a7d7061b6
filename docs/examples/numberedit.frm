' Number edits: an amount in Brazil format, the same in US format, a negative
' value in its own colour and a whole number without thousand separators.
Begin Form frmNumberEdit
   Caption = "Number edits"
   ClientWidth = 4200
   ClientHeight = 1620
   Begin Label lblBrazil
      Left = 120
      Top = 165
      Width = 1200
      Height = 240
      Caption = "Brazil"
   End
   Begin KLVCTL32.KelvoNumberEdit numBrazil
      Left = 1440
      Top = 120
      Width = 2400
      Height = 315
      IntMaxLength = 9
      DecMaxLength = 2
      Text = "1234567,89"
      Border3D = -1
      BackColor = &H80000005&
      ForeColor = &H80000008&
      NegativeColor = &HFF&
      Enabled = -1
      AutoSelect = -1
      AllowNegative = -1
      ThSeparator = -1
   End
   Begin Label lblUS
      Left = 120
      Top = 525
      Width = 1200
      Height = 240
      Caption = "US"
   End
   Begin KLVCTL32.KelvoNumberEdit numUS
      Left = 1440
      Top = 480
      Width = 2400
      Height = 315
      IntMaxLength = 9
      DecMaxLength = 2
      NumberFormat = 1
      Text = "1234567.89"
      Border3D = -1
      BackColor = &H80000005&
      ForeColor = &H80000008&
      NegativeColor = &HFF&
      Enabled = -1
      AutoSelect = -1
      AllowNegative = -1
      ThSeparator = -1
   End
   Begin Label lblNegative
      Left = 120
      Top = 885
      Width = 1200
      Height = 240
      Caption = "Negative"
   End
   Begin KLVCTL32.KelvoNumberEdit numNegative
      Left = 1440
      Top = 840
      Width = 2400
      Height = 315
      DecMaxLength = 2
      Text = "-42,50"
      Border3D = -1
      BackColor = &H80000005&
      ForeColor = &H80000008&
      NegativeColor = &HFF&
      Enabled = -1
      AutoSelect = -1
      AllowNegative = -1
      ThSeparator = -1
   End
   Begin Label lblQuantity
      Left = 120
      Top = 1245
      Width = 1200
      Height = 240
      Caption = "Quantity"
   End
   Begin KLVCTL32.KelvoNumberEdit numQuantity
      Left = 1440
      Top = 1200
      Width = 2400
      Height = 315
      ThSeparator = 0
      Text = "12500"
      Border3D = -1
      BackColor = &H80000005&
      ForeColor = &H80000008&
      NegativeColor = &HFF&
      Enabled = -1
      AutoSelect = -1
      AllowNegative = -1
   End
End
