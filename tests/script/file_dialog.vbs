' The file dialog from VBScript, shown for real and answered by the pilot on files the script makes: a
' multiple selection walked with GetNextFileName (the index in a variable, and left out), the dialog
' type passed in a variable, a single file, and a cancel that keeps the last results.
'
' pilot: file "one.txt" "two.txt" "three.txt", file two.txt, cancel
' expect-dialog: 1 caption="Pick three" centred
' expect-dialog: 2 caption="Pick one" not-centred

Dim fso, folder, f, r, i, kind, paths, e, name
Set fso = CreateObject("Scripting.FileSystemObject")
folder = "C:\Chooser10 script files"
If Not fso.FolderExists(folder) Then fso.CreateFolder folder
For Each name In Array("one.txt", "two.txt", "three.txt", "four.dat")
    fso.CreateTextFile(folder & "\" & name, True).Close
Next

Function ShowChecked(o, dialogType, what)
    On Error Resume Next
    ShowChecked = o.Show(dialogType)
    e = TakeError()
    On Error GoTo 0
    CheckNoError e, what
End Function

Group "a multiple selection of three files"
Set f = CreateObject("Chooser10.clsZqPickerFileOpenSaveA")
f.Init "Text files|*.txt|All files|*.*", 1, folder, "", "Pick three", 0, &H280200
f.CenterDialog = True
kind = 0
r = ShowChecked(f, kind, "Show")
CheckBoolean r, True, "Show after three files were chosen"
CheckInteger f.FileCount, 3, "FileCount"
CheckString f.SelectedPath, folder, "SelectedPath, without a backslash at the end"
CheckString f.FileName, folder & "\one.txt", "FileName: the first file"
CheckLong f.Flags, &H280220, "Flags with the hook bit that CenterDialog added"
paths = ""
For i = 1 To f.FileCount
    paths = paths & f.GetNextFileName(i) & ";"
Next
CheckString paths, folder & "\one.txt;" & folder & "\two.txt;" & folder & "\three.txt;", "each path through GetNextFileName(i)"
CheckString f.GetNextFileName(), folder & "\one.txt", "GetNextFileName with the index left out"
i = 7
CheckString f.GetNextFileName(i), folder & "\one.txt", "an index beyond FileCount gives FileName"
CheckInteger i, 7, "the index variable is left as it was"
CheckInteger kind, 0, "the dialog type variable is left as it was"

Group "a single file, then a cancel"
f.Init "All files|*.*", 1, folder, "", "Pick one", 0, &H280000
f.CenterDialog = False
r = ShowChecked(f, 0, "Show")
CheckBoolean r, True, "Show after one file was chosen"
CheckString f.FileName, folder & "\two.txt", "FileName"
CheckString f.FileTitle, "two.txt", "FileTitle"
CheckString f.SelectedPath, folder & "\", "SelectedPath with its backslash"
CheckInteger f.FileCount, 1, "FileCount"
CheckString f.GetNextFileName(2), folder & "\two.txt", "GetNextFileName after a single selection"
r = ShowChecked(f, 1, "Show")
CheckBoolean r, False, "Show after Cancel"
CheckString f.FileName, folder & "\two.txt", "FileName kept"
CheckInteger f.FileCount, 1, "FileCount kept"
r = ShowChecked(f, 2, "Show")
CheckBoolean r, False, "Show with a dialog type that is neither open nor save"

On Error Resume Next  ' the dialog may still hold the folder open
fso.DeleteFolder folder, True
On Error GoTo 0
Summary
