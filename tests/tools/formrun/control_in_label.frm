Begin Form frmNested
   Begin Label lblOuter
      Caption = "Outer"
      Begin Label lblInner
         Caption = "Inner"
      End
   End
End
