' A tour of the Chooser10 library: creates every class and shows what it holds.
' Run it with "cscript examples\tour.vbs" after "regsvr32 Chooser10.dll".
Option Explicit

Sub Prop(name, value)
    WScript.Echo "  " & name & " = " & Describe(value)
End Sub

Function Describe(v)
    If IsObject(v) Then
        If v Is Nothing Then Describe = "Nothing" Else Describe = "(object)"
    ElseIf VarType(v) = vbString Then
        Describe = """" & v & """"
    Else
        Describe = CStr(v)
    End If
End Function

WScript.Echo "Chooser10 tour: what a new object of each class holds"
Dim o
Set o = CreateObject("Chooser10.clsZqPickerBFFA")
WScript.Echo "clsZqPickerBFFA (folder browser)"
Prop "Flags", o.Flags : Prop "HWndOwner", o.HWndOwner : Prop "InitialPath", o.InitialPath
Prop "DialogTitle", o.DialogTitle : Prop "SelectedPath", o.SelectedPath

Set o = CreateObject("Chooser10.clsZqPickerColorDialogA")
WScript.Echo "clsZqPickerColorDialogA (colour)"
Prop "Flags", o.Flags : Prop "HWndOwner", o.HWndOwner : Prop "InitialColour", o.InitialColour
Prop "SelectedColour", o.SelectedColour : Prop "DialogTitle", o.DialogTitle : Prop "CenterDialog", o.CenterDialog

Set o = CreateObject("Chooser10.clsZqPickerFileOpenSaveA")
WScript.Echo "clsZqPickerFileOpenSaveA (file open/save)"
Prop "Flags", o.Flags : Prop "HWndOwner", o.HWndOwner : Prop "DefaultFilter", o.DefaultFilter
Prop "MaxFileSize", o.MaxFileSize : Prop "FileCount", o.FileCount : Prop "CenterDialog", o.CenterDialog
Prop "ShowPreview", o.ShowPreview : Prop "Filter", o.Filter : Prop "FileName", o.FileName
Prop "InitialDir", o.InitialDir : Prop "hInst", o.hInst

Set o = CreateObject("Chooser10.clsZqPickerFontDialogA")
WScript.Echo "clsZqPickerFontDialogA (font)"
Prop "Flags", o.Flags : Prop "HWndOwner", o.HWndOwner : Prop "Colour", o.Colour : Prop "Min", o.Min
Prop "Max", o.Max : Prop "Style", o.Style : Prop "FontType", o.FontType : Prop "Font", o.Font

Set o = CreateObject("Chooser10.clsZqPickerPrintDialogA")
WScript.Echo "clsZqPickerPrintDialogA (print)"
Prop "Flags", o.Flags : Prop "HWndOwner", o.HWndOwner : Prop "Copies", o.Copies : Prop "FromPage", o.FromPage
Prop "ToPage", o.ToPage : Prop "Min", o.Min : Prop "Max", o.Max : Prop "PrintRange", o.PrintRange
Prop "HDC", o.HDC

' The root object describes the library through its application object.
Dim root, app
Set root = CreateObject("Chooser10.clsZqChooser10A")
Set app = root.GetProStdProperties
WScript.Echo "clsZqChooser10A (library root object): its application object"
Prop "Title", app.Title : Prop "EXEName", app.EXEName : Prop "Path", app.Path
Prop "Version", app.Major & "." & app.Minor & "." & app.Revision : Prop "FileDescription", app.FileDescription
Prop "BuddyObjectGlobal", root.BuddyObjectGlobal

Dim progId
For Each progId In Array("clsZqPickerFilePpsA", "clsZqPickerAdvancedA", "clsZqPickerGeneralA")
    Set o = CreateObject("Chooser10." & progId)
    WScript.Echo progId & ": created"
    Set o = Nothing
Next

' The colour picker: a caption of our own, centred on the screen; custom colours stay with the object.
WScript.Echo ""
WScript.Echo "Colour dialog"
Dim colour
Set colour = CreateObject("Chooser10.clsZqPickerColorDialogA")
colour.Init &HFF8000, "Chooser10 tour: pick a colour"
If colour.Show() Then
    WScript.Echo "  Show = True, SelectedColour = &H" & Right("00000" & Hex(colour.SelectedColour), 6) & _
        " (blue " & ((colour.SelectedColour \ 65536) And 255) & ", green " & ((colour.SelectedColour \ 256) And 255) & _
        ", red " & (colour.SelectedColour And 255) & ")"
Else
    WScript.Echo "  Show = False (cancelled), SelectedColour = " & colour.SelectedColour
End If

' The folder browser: a folder preselected, the highlighted folder's path in the status line.
WScript.Echo ""
WScript.Echo "Folder browser"
Dim folder, shell
Set shell = CreateObject("WScript.Shell")
Set folder = CreateObject("Chooser10.clsZqPickerBFFA")
folder.Init shell.ExpandEnvironmentStrings("%windir%\system32"), 0, "Chooser10 tour: pick a folder", 5
If folder.Browse() Then
    WScript.Echo "  Browse = True, SelectedPath = " & folder.SelectedPath
Else
    WScript.Echo "  Browse = False (cancelled), SelectedPath = """ & folder.SelectedPath & """"
End If

' The print dialog: the default printer preselected, copies and a page range chosen by the user.
WScript.Echo ""
WScript.Echo "Print dialog"
Dim printing
Set printing = CreateObject("Chooser10.clsZqPickerPrintDialogA")
printing.Copies = 2
printing.FromPage = 1
printing.ToPage = 1
printing.PrintRange = 1                ' page numbers
If printing.Show() Then
    WScript.Echo "  Show = True, Copies = " & printing.Copies & ", pages " & printing.FromPage & " to " & _
        printing.ToPage & ", PrintRange = " & printing.PrintRange & " (0 all, 1 page numbers, 2 selection)"
Else
    WScript.Echo "  Show = False (cancelled, or no printer), Copies = " & printing.Copies
End If

' The font picker edits the script's own font object: it opens on the face, size and style set here,
' with a caption of our own and centred, and what the user picks lands in that same object.
WScript.Echo ""
WScript.Echo "Font dialog"
Dim fontDialog, myFont, styles
Set myFont = CreateObject("StdFont")
myFont.Name = "DejaVu Serif"
myFont.Size = 12
myFont.Bold = True
Set fontDialog = CreateObject("Chooser10.clsZqPickerFontDialogA")
fontDialog.Init myFont, "Chooser10 tour: pick a font"
fontDialog.Colour = &H800000           ' navy: a colour brings the colour list and the effects
WScript.Echo "  before: " & myFont.Name & ", " & myFont.Size & " pt, Bold = " & myFont.Bold
If fontDialog.Show() Then
    styles = ""
    If myFont.Bold Then styles = styles & " bold"
    If myFont.Italic Then styles = styles & " italic"
    If myFont.Underline Then styles = styles & " underlined"
    If myFont.Strikethrough Then styles = styles & " struck out"
    WScript.Echo "  Show = True, the script's font is now " & myFont.Name & ", " & myFont.Size & " pt," & styles & _
        ", weight " & myFont.Weight & "; Colour = &H" & Right("00000" & Hex(fontDialog.Colour), 6) & _
        ", Flags = &H" & Hex(fontDialog.Flags)
Else
    WScript.Echo "  Show = False (cancelled), the font is still " & myFont.Name & ", " & myFont.Size & " pt"
End If

' The file dialogs: an open dialog with a filter and multiple selection over a folder of sample files
' made here, every chosen path walked with GetNextFileName; then a save dialog that appends the default
' extension to a name typed without one.
WScript.Echo ""
WScript.Echo "File open dialog, multiple selection"
Dim fso, samples, sample, files, i
Set fso = CreateObject("Scripting.FileSystemObject")
' The temporary folder from the file system object: Wine's ExpandEnvironmentStrings returns a string
' with its NUL inside, which cuts whatever is appended to it.
samples = fso.GetSpecialFolder(2) & "\Chooser10 tour samples"
If Not fso.FolderExists(samples) Then fso.CreateFolder samples
For Each sample In Array("sample 1.txt", "sample 2.txt", "sample 3.txt", "notes.log", "picture.bmp")
    fso.CreateTextFile(samples & "\" & sample, True).Close
Next
Set files = CreateObject("Chooser10.clsZqPickerFileOpenSaveA")
files.Init "Text files (*.txt)|*.txt|Logs (*.log)|*.log|All files|*.*", 1, samples, "", _
    "Chooser10 tour: open sample files", 0, &H280200 Or &H1000   ' explorer, long names, multiselect, must exist
files.CenterDialog = True
If files.Show(0) Then
    WScript.Echo "  Show = True, FileCount = " & files.FileCount & ", SelectedPath = " & files.SelectedPath
    For i = 1 To files.FileCount
        WScript.Echo "  GetNextFileName(" & i & ") = " & files.GetNextFileName(i)
    Next
Else
    WScript.Echo "  Show = False (cancelled), FileCount = " & files.FileCount
End If

WScript.Echo ""
WScript.Echo "File save dialog"
files.Init "Text files (*.txt)|*.txt", 1, samples, "", "Chooser10 tour: save the notes", 0, &H280000 Or &H2
files.DefaultExt = "txt"
If files.Show(1) Then
    WScript.Echo "  Show = True, FileName = " & files.FileName & " (DefaultExt ""txt"" appended), FileTitle = " & files.FileTitle
Else
    WScript.Echo "  Show = False (cancelled)"
End If

' The open dialog with a preview pane: the pane is the helper picture window the demo registers
' (ChooserPreview.PictureBox), and a VBScript class set as BuddyObject hears which file is highlighted
' and draws it there.
Class TourPreview
    ' One member a line: the script engine here refuses a list ("Public Box, Heard") inside a class.
    Public Box
    Public Heard
    Public Sub clsPickerFileOpenSaveA_PreviewItemChanged(sFileName, sFileTitle)
        If sFileTitle = "" Then Exit Sub
        Heard = sFileName
        Box.LoadFile sFileName
    End Sub
End Class
WScript.Echo ""
WScript.Echo "File open dialog with a preview pane"
Dim previewBox, tourPreview, pictureBytes, pictureText, pictureByte, pictureFile
On Error Resume Next
Set previewBox = CreateObject("ChooserPreview.PictureBox")
On Error GoTo 0
If IsEmpty(previewBox) Then
    WScript.Echo "  (the helper picture window ChooserPreview.PictureBox is not registered here: no preview)"
Else
    ' A 4 x 4 bitmap of four colours; every byte is below &H80 or &HFF, the same in any ANSI code page.
    pictureBytes = Array(66, 77, 102, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 4, 0, 0, 0, 4, 0, 0, 0, 1, 0, _
        24, 0, 0, 0, 0, 0, 48, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 255, _
        0, 127, 255, 64, 127, 0, 255, 64, 0, 0, 127, 255, 64, 127, 0, 255, 64, 0, 0, 0, 255, 64, _
        127, 0, 255, 64, 0, 0, 0, 255, 0, 127, 255, 255, 64, 0, 0, 0, 255, 0, 127, 255, 64, 127, 0)
    pictureText = ""
    For Each pictureByte In pictureBytes
        pictureText = pictureText & Chr(pictureByte)
    Next
    Set pictureFile = fso.CreateTextFile(samples & "\picture.bmp", True, False)
    pictureFile.Write pictureText
    pictureFile.Close
    Set tourPreview = New TourPreview
    Set tourPreview.Box = previewBox
    tourPreview.Heard = ""
    files.Init "Pictures (*.bmp)|*.bmp", 1, samples, "", "Chooser10 tour: preview a picture", 0, &H280020, True, previewBox
    Set files.BuddyObject = tourPreview
    files.CenterDialog = True
    files.Show 0
    Set files.BuddyObject = Nothing
    WScript.Echo "  the buddy heard " & tourPreview.Heard & "; the pane showed " & previewBox.PictureFile & _
        " (" & previewBox.PictureWidth & " x " & previewBox.PictureHeight & ")"
End If

' The shell's about box with the script's own texts, then the framework's about box for the library.
WScript.Echo ""
WScript.Echo "Shell about box"
Dim shellServices, result
Set shellServices = CreateObject("Chooser10.clsZqPickerFilePpsA")
result = shellServices.ShowAbout(0, "Chooser10 Tour", "The shell's about box, shown for a script")
WScript.Echo "  ShowAbout returned " & TypeName(result) & " (always Empty)"

WScript.Echo ""
WScript.Echo "Framework about box"
WScript.Echo "  About = " & root.About() & " (always 0)"

' The shell's properties sheet of one of the sample files. ShowProperties returns the shell's code: above
' 32 when the sheet was started (it then stays open on its own), else the shell's error code.
WScript.Echo ""
WScript.Echo "File properties of " & samples & "\sample 1.txt"
result = shellServices.ShowProperties(samples & "\sample 1.txt", 0)
If result > 32 Then
    WScript.Echo "  ShowProperties = " & result & ": the shell opened the properties sheet"
Else
    WScript.Echo "  ShowProperties = " & result & ": the shell's error code, no sheet opened " & _
        "(Wine 8.0's shell has no ""properties"" verb: it answers 11)"
End If

' An owner window that does not exist is refused with the class's own error.
WScript.Echo ""
Dim bff
Set bff = CreateObject("Chooser10.clsZqPickerBFFA")
On Error Resume Next
bff.HWndOwner = 123456
WScript.Echo "HWndOwner = 123456 -> Err " & Err.Number & " from " & Err.Source & ": " & Err.Description
On Error GoTo 0

WScript.Echo ""
WScript.Echo "Chooser10 tour: done"
