' Lines that start with a quote are comments. One block for the form, one for
' each control; a control inside a panel is written inside its block.
Begin Form frmOrder
   Caption = "Order"
   ClientWidth = 4200
   ClientHeight = 1680
   BackColor = &H8000000F&
   Begin KLVCTL32.KelvoPanel3D pnlOrder
      Left = 60
      Top = 60
      Width = 4080
      Height = 1560
      BorderOut = 1
      BorderIn = 2
      BorderWidth = 2
      Begin Label lblNote
         Left = 120
         Top = 120
         Width = 2520
         Height = 480
         Caption = "Two lines:" & Chr$(13) & Chr$(10) & "say ""when"""
         BackStyle = 0
      End
      Begin OptionButton optSize
         Index = 0
         Left = 120
         Top = 720
         Width = 1200
         Height = 300
         Caption = "Small"
      End
      Begin OptionButton optSize
         Index = 1
         Left = 1440
         Top = 720
         Width = 1200
         Height = 300
         Caption = "Large"
      End
      Begin KLVCTL32.KelvoActiveCommand cmdSave
         Left = 2760
         Top = 1080
         Width = 1200
         Height = 390
         Caption = "&Save"
         Picture = "../../examples/demo/pictures/save16.bmp"
         PictPosition = 2
         BeginProperty Font
            Name = "MS Sans Serif"
            Size = 8.25
            Bold = -1
         EndProperty
      End
   End
End
