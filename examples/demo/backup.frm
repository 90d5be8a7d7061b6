' The demo's Backup window: a file copied, or split into volumes, with the
' library's copier showing the progress.
Begin Form frmBackup
   Caption = "Backup"
   ClientWidth = 5400
   ClientHeight = 2580
   Begin Label lblSource
      Left = 120
      Top = 180
      Width = 1260
      Height = 240
      Caption = "&Source file"
   End
   Begin TextBox txtSource
      Left = 1440
      Top = 120
      Width = 3840
      Height = 315
   End
   Begin Label lblTarget
      Left = 120
      Top = 570
      Width = 1260
      Height = 240
      Caption = "&Target file"
   End
   Begin TextBox txtTarget
      Left = 1440
      Top = 510
      Width = 3840
      Height = 315
   End
   Begin Label lblVolume
      Left = 120
      Top = 960
      Width = 1260
      Height = 240
      Caption = "&Volume (KB)"
   End
   Begin TextBox txtVolume
      Left = 1440
      Top = 900
      Width = 1200
      Height = 315
   End
   Begin Label lblVolumeHint
      Left = 2760
      Top = 960
      Width = 2520
      Height = 240
      Caption = "empty: one file"
   End
   Begin KLVCTL32.KelvoCopyFile cpyBackup
      Left = 120
      Top = 1380
      Width = 5160
      Height = 315
      BlockSize = 3
   End
   Begin Label lblStatus
      Left = 120
      Top = 1860
      Width = 2880
      Height = 480
   End
   Begin CommandButton cmdCopy
      Left = 3120
      Top = 1860
      Width = 1020
      Height = 360
      Caption = "&Copy"
   End
   Begin CommandButton cmdCancel
      Left = 4260
      Top = 1860
      Width = 1020
      Height = 360
      Caption = "Cancel"
   End
End
