' A first form: a masked code, an amount, a button and the focus engine. The
' engine visits the controls in order and stops at the first that does not
' take part (a label), so the labels come after the controls and the engine last.
Begin Form frmHello
   Caption = "Hello"
   ClientWidth = 4200
   ClientHeight = 1260
   Begin KLVCTL32.KelvoTextEdit txtCode
      Left = 1440
      Top = 120
      Width = 1200
      Height = 315
      Mask = "999-99"
      MaxLength = 6
   End
   Begin KLVCTL32.KelvoNumberEdit numAmount
      Left = 1440
      Top = 480
      Width = 1800
      Height = 315
      IntMaxLength = 7
      DecMaxLength = 2
      Border3D = -1
      BackColor = &H80000005&
      ForeColor = &H80000008&
      NegativeColor = &HFF&
      Enabled = -1
      AutoSelect = -1
      AllowNegative = -1
      ThSeparator = -1
   End
   Begin KLVCTL32.KelvoActiveCommand cmdOK
      Left = 3000
      Top = 840
      Width = 1080
      Height = 330
      Caption = "OK"
      Default = -1
   End
   Begin Label lblCode
      Left = 120
      Top = 165
      Width = 1200
      Height = 240
      Caption = "Code"
   End
   Begin Label lblAmount
      Left = 120
      Top = 525
      Width = 1200
      Height = 240
      Caption = "Amount"
   End
   Begin KLVCTL32.KelvoEnginer engFocus
      Left = 120
      Top = 840
      Width = 705
      Height = 555
   End
End
