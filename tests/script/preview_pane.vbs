' host: chooser-script
' The preview pane from VBScript, in the real open dialog: a handler bound with WScript.CreateObject's
' prefix hears the highlighted picture as ("", ""), ("", ""), (path, "bmp") and draws it into the
' helper server's picture window, which sits in the dialog meanwhile; a VBScript class set as
' BuddyObject hears the same instead of the handler.
'
' pilot: highlight, highlight
' expect-dialog: 1 caption="Preview: event"
' expect-dialog: 2 caption="Preview: buddy"

Dim fso, folder, picture, pb, fd, heard, drawn, parentSeen, r, buddy

Set fso = CreateObject("Scripting.FileSystemObject")
folder = fso.GetSpecialFolder(2) & "\chooser-preview-pane"
If Not fso.FolderExists(folder) Then fso.CreateFolder folder
picture = folder & "\photo.bmp"
' A 2 x 1 bitmap, 24 bits: red, then blue.
Dim bytes, b, s, stream
bytes = Array(66, 77, 62, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, _
    40, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0, 8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, _
    0, 0, 255, 255, 0, 0, 0, 0)
s = ""
For Each b In bytes
    s = s & Chr(b)
Next
Set stream = fso.CreateTextFile(picture, True, False)
stream.Write s
stream.Close

heard = ""
drawn = ""
Sub fd_PreviewItemChanged(sFileName, sFileTitle)
    heard = heard & "[" & sFileName & "|" & sFileTitle & "]"
    If sFileTitle = "bmp" Then
        If pb.LoadFile(sFileName) Then drawn = pb.PictureFile
    End If
End Sub

Class PreviewBuddy
    Public Log
    Public Sub clsPickerFileOpenSaveA_PreviewItemChanged(sFileName, sFileTitle)
        Log = Log & "[" & sFileName & "|" & sFileTitle & "]"
    End Sub
End Class

Group "an event handler hears the highlighted picture and draws it"
Set pb = CreateObject("ChooserPreview.PictureBox")
Set fd = WScript.CreateObject("Chooser10.clsZqPickerFileOpenSaveA", "fd_")
fd.Init "Pictures|*.bmp", 1, folder, "", "Preview: event", 0, &H280020, True, pb
r = fd.Show(0)
CheckBoolean r, False, "Show after the pilot cancelled"
Check InStr(heard, "[|][|][" & picture & "|bmp]") > 0, "two empty notifications, then the path and its extension: " & heard
CheckString Right(heard, 3), "[|]", "the last notification, at the close, is empty"
CheckString drawn, picture, "the handler drew the picture into the pane"
CheckInteger pb.ScaleMode, 1, "the pane's ScaleMode"

Group "a VBScript class as BuddyObject"
Set buddy = New PreviewBuddy
buddy.Log = ""
Set fd.BuddyObject = buddy
heard = ""
fd.DialogTitle = "Preview: buddy"
r = fd.Show(0)
CheckBoolean r, False, "Show after the pilot cancelled"
Check InStr(buddy.Log, "[|][|][" & picture & "|bmp]") > 0, "the buddy heard the picture: " & buddy.Log
CheckString heard, "", "and the event handler nothing"
Set fd.BuddyObject = Nothing

On Error Resume Next  ' the dialog may still hold the folder open
fso.DeleteFolder folder, True
On Error GoTo 0
Summary
