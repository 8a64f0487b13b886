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

' An owner window that does not exist is refused with the class's own error.
Dim bff
Set bff = CreateObject("Chooser10.clsZqPickerBFFA")
On Error Resume Next
bff.HWndOwner = 123456
WScript.Echo "HWndOwner = 123456 -> Err " & Err.Number & " from " & Err.Source & ": " & Err.Description
On Error GoTo 0
