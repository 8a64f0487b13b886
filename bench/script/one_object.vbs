' Creates one object and reads one property: the cost of loading the library over an empty script.
Dim c
Set c = CreateObject("Chooser10.clsZqPickerColorDialogA")
c.Flags = c.Flags
