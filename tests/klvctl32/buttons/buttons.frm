Begin Form frmButtons
   Caption = "Buttons"
   ClientLeft = 0
   ClientTop = 0
   ClientWidth = 6000
   ClientHeight = 4000
   Begin KLVCTL32.KelvoActiveCommand c
      Left = 150
      Top = 150
      Width = 1500
      Height = 450
      TabIndex = 0
      Caption = "&Ok"
      Enabled = -1
      BeginProperty Font
         Name = "MS Sans Serif"
         Size = 8.25
         Bold = 0
         Italic = 0
         Underline = 0
         Strikethrough = 0
      EndProperty
      ForeColor = &H80000012&
      BackColor = &H8000000F&
      FocusedFRColor = &H00FF0000&
      FocusedBKColor = &H0000FF00&
      LightColorIn = &H80000016&
      LightColorOut = &H80000014&
      ShadowColorIn = &H80000010&
      ShadowColorOut = &H80000015&
      Picture = ""
      DisabledPicture = ""
      DownPicture = ""
      FocusedPicture = ""
      PictPosition = 3
      PictSize = 0
      Margin = 4
      Distance = 0
      FocusedBold = 0
      FocusedUnderline = 0
      ActiveBorder = -1
      Style = 1
   End
   Begin KLVCTL32.KelvoTBButton b
      Left = 1800
      Top = 150
      Width = 345
      Height = 330
      TabIndex = 1
      Caption = ""
      Enabled = -1
      BeginProperty Font
         Name = "MS Sans Serif"
         Size = 8.25
         Bold = 0
         Italic = 0
         Underline = 0
         Strikethrough = 0
      EndProperty
      ForeColor = &H80000012&
      BackColor = &H8000000F&
      FocusedFRColor = &H00FF0000&
      FocusedBKColor = &H8000000F&
      LightColorIn = &H80000016&
      LightColorOut = &H80000014&
      ShadowColorIn = &H80000010&
      ShadowColorOut = &H80000015&
      Picture = ""
      DisabledPicture = ""
      DownPicture = ""
      FocusedPicture = ""
      PictPosition = 2
      PictSize = 1
      Margin = 0
      Distance = 0
      FocusedBold = 0
      FocusedUnderline = 0
      ActiveBorder = 0
      Style = 1
      AutoSize = -1
   End
End
