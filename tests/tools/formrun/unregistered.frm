Begin Form frmCard
   Begin KLVCTL32.KelvoTextEdit txtCode
      Left = 120
   End
End
