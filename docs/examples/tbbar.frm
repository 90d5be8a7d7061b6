' A toolbar strip with its grip ridges, holding two toolbar buttons, a
' separator and a standard command button.
Begin Form frmToolbar
   Caption = "Toolbar"
   ClientWidth = 4200
   ClientHeight = 420
   Begin KLVCTL32.KelvoTBBar tbrMain
      Left = 0
      Top = 0
      Width = 4200
      Height = 420
      ShowLeftLines = -1
      ShowTwoLeftLines = -1
      Begin KLVCTL32.KelvoTBButton tbnNew
         Left = 210
         Top = 45
         Width = 345
         Height = 330
         ToolTipText = "New"
         Picture = "../../examples/demo/pictures/new16.bmp"
      End
      Begin KLVCTL32.KelvoTBButton tbnSave
         Left = 570
         Top = 45
         Width = 345
         Height = 330
         ToolTipText = "Save"
         Picture = "../../examples/demo/pictures/save16.bmp"
      End
      Begin KLVCTL32.KelvoTBSeparator sepFile
         Left = 960
         Top = 45
         Width = 30
         Height = 330
      End
      Begin CommandButton cmdClose
         Left = 1080
         Top = 60
         Width = 900
         Height = 300
         Caption = "Close"
      End
   End
End
