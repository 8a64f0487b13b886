' A tour of the Chooser10 library: creates every class and shows what it holds.
' Run it with "cscript examples\tour.vbs" after "regsvr32 Chooser10.dll".
Option Explicit

Sub Show(title, obj, names)
    Dim name, line
    line = "  "
    For Each name In names
        line = line & name & "=" & Describe(Eval("obj." & name)) & "  "
    Next
    WScript.Echo title
    WScript.Echo line
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

WScript.Echo "Chooser10 tour"
Show "clsZqPickerBFFA (folder browser)", CreateObject("Chooser10.clsZqPickerBFFA"), _
    Array("Flags", "HWndOwner", "InitialPath", "DialogTitle", "SelectedPath")
Show "clsZqPickerColorDialogA (colour)", CreateObject("Chooser10.clsZqPickerColorDialogA"), _
    Array("Flags", "HWndOwner", "InitialColour", "SelectedColour")
Show "clsZqPickerFileOpenSaveA (file open/save)", CreateObject("Chooser10.clsZqPickerFileOpenSaveA"), _
    Array("Flags", "HWndOwner", "DefaultFilter", "MaxFileSize", "FileCount", "CenterDialog", "ShowPreview", _
          "Filter", "FileName", "InitialDir")
Show "clsZqPickerFontDialogA (font)", CreateObject("Chooser10.clsZqPickerFontDialogA"), _
    Array("Flags", "HWndOwner", "Colour", "Min", "Max", "Style", "FontType", "Font")
Show "clsZqPickerPrintDialogA (print)", CreateObject("Chooser10.clsZqPickerPrintDialogA"), _
    Array("Flags", "HWndOwner", "Copies", "FromPage", "ToPage", "Min", "Max", "PrintRange", "HDC")

Dim progId
For Each progId In Array("clsZqChooser10A", "clsZqPickerFilePpsA", "clsZqPickerAdvancedA", "clsZqPickerGeneralA")
    Dim o
    Set o = CreateObject("Chooser10." & progId)
    WScript.Echo progId & ": created"
    Set o = Nothing
Next

' The colour picker: a caption of our own, centred on the screen; custom colours stay with the object.
WScript.Echo
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
WScript.Echo
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

' An owner window that does not exist is refused with the class's own error.
WScript.Echo
Dim bff
Set bff = CreateObject("Chooser10.clsZqPickerBFFA")
On Error Resume Next
bff.HWndOwner = 123456
WScript.Echo "HWndOwner = 123456 -> Err " & Err.Number & " from " & Err.Source & ": " & Err.Description
On Error GoTo 0
