Begin Form frmBroken
   Caption = "Broken"
   Begin Label lblTitle
      Caption = = "Kelvo"
   End
End
