' The four picture positions of a command button: the picture above, below,
' left of and right of the caption.
Begin Form frmPositions
   Caption = "Picture positions"
   ClientWidth = 4200
   ClientHeight = 960
   Begin KLVCTL32.KelvoActiveCommand cmdTop
      Left = 120
      Top = 120
      Width = 900
      Height = 720
      Caption = "Top"
      Picture = "../../examples/demo/pictures/save16.bmp"
      PictPosition = 0
   End
   Begin KLVCTL32.KelvoActiveCommand cmdBottom
      Left = 1140
      Top = 120
      Width = 900
      Height = 720
      Caption = "Bottom"
      Picture = "../../examples/demo/pictures/save16.bmp"
      PictPosition = 1
   End
   Begin KLVCTL32.KelvoActiveCommand cmdLeft
      Left = 2160
      Top = 120
      Width = 900
      Height = 720
      Caption = "Left"
      Picture = "../../examples/demo/pictures/save16.bmp"
      PictPosition = 2
   End
   Begin KLVCTL32.KelvoActiveCommand cmdRight
      Left = 3180
      Top = 120
      Width = 900
      Height = 720
      Caption = "Right"
      Picture = "../../examples/demo/pictures/save16.bmp"
      PictPosition = 3
   End
End
