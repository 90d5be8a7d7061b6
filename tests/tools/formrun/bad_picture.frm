Begin Form frmPicture
   Begin Image imgLogo
      Left = 0
      Picture = "bad_picture.frm"
   End
End
