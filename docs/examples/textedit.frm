' Masked text edits in their main states: a date typed against its mask, an
' upper-case name, a locked field and a disabled one.
Begin Form frmTextEdit
   Caption = "Text edits"
   ClientWidth = 4200
   ClientHeight = 1620
   Begin Label lblDate
      Left = 120
      Top = 165
      Width = 1200
      Height = 240
      Caption = "Date"
   End
   Begin KLVCTL32.KelvoTextEdit txtDate
      Left = 1440
      Top = 120
      Width = 1500
      Height = 315
      Mask = "99/99/9999"
      MaxLength = 10
      Text = "24/12/2026"
   End
   Begin Label lblName
      Left = 120
      Top = 525
      Width = 1200
      Height = 240
      Caption = "Name"
   End
   Begin KLVCTL32.KelvoTextEdit txtName
      Left = 1440
      Top = 480
      Width = 2640
      Height = 315
      MaxLength = 20
      TextStyle = 1
      Text = "ANA SILVA"
   End
   Begin Label lblLocked
      Left = 120
      Top = 885
      Width = 1200
      Height = 240
      Caption = "Locked"
   End
   Begin KLVCTL32.KelvoTextEdit txtLocked
      Left = 1440
      Top = 840
      Width = 1500
      Height = 315
      MaxLength = 10
      Text = "read only"
      Locked = -1
   End
   Begin Label lblDisabled
      Left = 120
      Top = 1245
      Width = 1200
      Height = 240
      Caption = "Disabled"
   End
   Begin KLVCTL32.KelvoTextEdit txtDisabled
      Left = 1440
      Top = 1200
      Width = 1500
      Height = 315
      MaxLength = 10
      Text = "off"
      Enabled = 0
   End
End
