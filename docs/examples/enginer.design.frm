' The focus engine on a form opened for design: there it shows as its own
' small picture, which it hides at run time.
Begin Form frmEngine
   Caption = "Focus engine"
   ClientWidth = 4200
   ClientHeight = 900
   Begin KLVCTL32.KelvoTextEdit txtCode
      Left = 120
      Top = 120
      Width = 1500
      Height = 315
      MaxLength = 8
   End
   Begin KLVCTL32.KelvoActiveCommand cmdFind
      Left = 1800
      Top = 90
      Width = 1200
      Height = 390
      Caption = "&Find"
      ToolTipText = "Find the code"
   End
   Begin KLVCTL32.KelvoEnginer engFocus
      Left = 3240
      Top = 90
      Width = 705
      Height = 555
   End
End
