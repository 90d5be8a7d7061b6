Begin Form frmValues
   Begin Label lblTitle
      Caption = "Title"
      Alignment = 70000
   End
End
