' A file copier as it first shows at run time ("0%"), with a backup button
' that a program would wire to BeginCopyFile.
Begin Form frmCopy
   Caption = "Copy"
   ClientWidth = 4200
   ClientHeight = 600
   Begin KLVCTL32.KelvoCopyFile cpyBackup
      Left = 120
      Top = 150
      Width = 2880
      Height = 300
      BlockSize = 1
      VolumeSize = 1400
   End
   Begin CommandButton cmdBackup
      Left = 3120
      Top = 120
      Width = 960
      Height = 360
      Caption = "Backup"
   End
End
