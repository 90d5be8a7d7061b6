' The demo's customer card: toolbar buttons with pictures and tooltips beside
' a toolbar strip, a panel of masked text edits, number edits for credit,
' quantity and an amount in US format, picture command buttons, a focus
' engine and a status bar. The focus engine visits the form's controls in
' order and stops at the first that does not take part, so the toolbar
' buttons come first.
Begin Form frmCustomer
   Caption = "Customer card"
   ClientWidth = 6300
   ClientHeight = 4260
   Begin KLVCTL32.KelvoTBButton cmdNew
      Left = 90
      Top = 30
      Width = 345
      Height = 330
      ToolTipText = "New customer"
      Picture = "pictures/new16.bmp"
   End
   Begin KLVCTL32.KelvoTBButton tbnSave
      Left = 450
      Top = 30
      Width = 345
      Height = 330
      ToolTipText = "Save the customer"
      Picture = "pictures/save16.bmp"
   End
   Begin KLVCTL32.KelvoTBButton tbnClose
      Left = 810
      Top = 30
      Width = 345
      Height = 330
      ToolTipText = "Close the card"
      Picture = "pictures/close16.bmp"
   End
   Begin KLVCTL32.KelvoTBBar tbrMain
      Left = 1200
      Top = 0
      Width = 5100
      Height = 390
      AutoHeight = 1
      TabStop = 0
      Begin CommandButton cmdBackup
         Left = 3960
         Top = 45
         Width = 900
         Height = 300
         Caption = "Bac&kup"
         TabStop = 0
      End
      Begin KLVCTL32.KelvoTBSeparator sepTitle
         Left = 30
         Top = 30
         Width = 30
         Height = 330
      End
      Begin Label lblTitle
         Left = 180
         Top = 90
         Width = 3000
         Height = 240
         Caption = "Customer card"
         BackStyle = 0
      End
   End
   Begin KLVCTL32.KelvoPanel3D pnlCustomer
      Left = 120
      Top = 510
      Width = 6060
      Height = 2640
      BorderWidth = 2
      Begin Label lblCode
         Left = 180
         Top = 195
         Width = 1500
         Height = 240
         Caption = "&Code"
      End
      Begin KLVCTL32.KelvoTextEdit txtCode
         Left = 1800
         Top = 150
         Width = 1200
         Height = 315
         MaxLength = 6
         TextStyle = 3
         FillChar = "0"
      End
      Begin Label lblName
         Left = 180
         Top = 585
         Width = 1500
         Height = 240
         Caption = "&Name"
      End
      Begin KLVCTL32.KelvoTextEdit txtName
         Left = 1800
         Top = 540
         Width = 3900
         Height = 315
         MaxLength = 30
         TextStyle = 1
      End
      Begin Label lblBirth
         Left = 180
         Top = 975
         Width = 1500
         Height = 240
         Caption = "&Birth date"
      End
      Begin KLVCTL32.KelvoTextEdit txtBirth
         Left = 1800
         Top = 930
         Width = 1200
         Height = 315
         Mask = "99/99/9999"
         MaxLength = 10
      End
      Begin Label lblPhone
         Left = 180
         Top = 1365
         Width = 1500
         Height = 240
         Caption = "&Phone"
      End
      Begin KLVCTL32.KelvoTextEdit txtPhone
         Left = 1800
         Top = 1320
         Width = 1650
         Height = 315
         Mask = "(99) 9999-9999"
         MaxLength = 14
      End
      Begin Label lblSince
         Left = 180
         Top = 1755
         Width = 1500
         Height = 240
         Caption = "Customer since"
      End
      Begin KLVCTL32.KelvoTextEdit txtSince
         Left = 1800
         Top = 1710
         Width = 1200
         Height = 315
         Mask = "99/99/9999"
         MaxLength = 10
         Text = "15/03/1996"
         Locked = -1
      End
      Begin Label lblBranch
         Left = 180
         Top = 2145
         Width = 1500
         Height = 240
         Caption = "Branch"
      End
      Begin KLVCTL32.KelvoTextEdit txtBranch
         Left = 1800
         Top = 2100
         Width = 2400
         Height = 315
         MaxLength = 20
         Text = "0001 - Downtown"
         Enabled = 0
      End
      Begin Label lblCredit
         Left = 3300
         Top = 195
         Width = 1200
         Height = 240
         Caption = "Credit &limit"
      End
      Begin KLVCTL32.KelvoNumberEdit numCredit
         Left = 4560
         Top = 150
         Width = 1320
         Height = 315
         Border3D = -1
         BackColor = &H80000005&
         ForeColor = &H80000008&
         NegativeColor = &HFF&
         Enabled = -1
         AutoSelect = -1
         ThSeparator = -1
         NumberFormat = 0
         DecMaxLength = 2
         IntMaxLength = 9
         AllowNegative = 0
      End
      Begin Label lblQuantity
         Left = 3300
         Top = 975
         Width = 1200
         Height = 240
         Caption = "&Quantity"
      End
      Begin KLVCTL32.KelvoNumberEdit numQuantity
         Left = 4560
         Top = 930
         Width = 1320
         Height = 315
         Border3D = -1
         BackColor = &H80000005&
         ForeColor = &H80000008&
         NegativeColor = &HFF&
         Enabled = -1
         AutoSelect = -1
         ThSeparator = -1
         NumberFormat = 0
         DecMaxLength = 0
         IntMaxLength = 5
         AllowNegative = 0
      End
      Begin Label lblAmount
         Left = 3300
         Top = 1755
         Width = 1200
         Height = 240
         Caption = "&Amount (US)"
      End
      Begin KLVCTL32.KelvoNumberEdit numAmount
         Left = 4560
         Top = 1710
         Width = 1320
         Height = 315
         Border3D = -1
         BackColor = &H80000005&
         ForeColor = &H80000008&
         NegativeColor = &HFF&
         Enabled = -1
         AutoSelect = -1
         ThSeparator = -1
         NumberFormat = 1
         DecMaxLength = 2
         IntMaxLength = 7
         AllowNegative = -1
      End
   End
   Begin KLVCTL32.KelvoLine3D linButtons
      Left = 120
      Top = 3270
      Width = 6060
      Height = 30
      LineStyle = 2
   End
   Begin KLVCTL32.KelvoEnginer engFocus
      Left = 120
      Top = 3345
      Width = 705
      Height = 555
   End
   Begin KLVCTL32.KelvoActiveCommand cmdSave
      Left = 3780
      Top = 3420
      Width = 1140
      Height = 375
      Caption = "&Save"
      Default = -1
      Picture = "pictures/save16.bmp"
   End
   Begin KLVCTL32.KelvoActiveCommand cmdClose
      Left = 5040
      Top = 3420
      Width = 1140
      Height = 375
      Caption = "Close"
      Cancel = -1
      Picture = "pictures/close16.bmp"
   End
   Begin KLVCTL32.KelvoPanel3D pnlStatus
      Left = 0
      Top = 3930
      Width = 6300
      Height = 330
      Align = 2
      BorderOut = 0
      BorderIn = 2
      Begin Label lblStatus
         Left = 120
         Top = 60
         Width = 5880
         Height = 210
         Caption = "Ready"
         BackStyle = 0
      End
   End
End
