' Command buttons: a default button with a picture, a button without one, a
' disabled button (its picture dotted and grey) and a flat one.
Begin Form frmCommands
   Caption = "Command buttons"
   ClientWidth = 4200
   ClientHeight = 600
   Begin KLVCTL32.KelvoActiveCommand cmdSave
      Left = 120
      Top = 120
      Width = 900
      Height = 390
      Caption = "&Save"
      Picture = "../../examples/demo/pictures/save16.bmp"
      PictPosition = 2
      Default = -1
   End
   Begin KLVCTL32.KelvoActiveCommand cmdCancel
      Left = 1140
      Top = 120
      Width = 900
      Height = 390
      Caption = "Cancel"
      Cancel = -1
   End
   Begin KLVCTL32.KelvoActiveCommand cmdOff
      Left = 2160
      Top = 120
      Width = 900
      Height = 390
      Caption = "Off"
      Picture = "../../examples/demo/pictures/save16.bmp"
      PictPosition = 2
      Enabled = 0
   End
   Begin KLVCTL32.KelvoActiveCommand cmdFlat
      Left = 3180
      Top = 120
      Width = 900
      Height = 390
      Caption = "Flat"
      Picture = "../../examples/demo/pictures/save16.bmp"
      PictPosition = 2
      Style = 1
   End
End
