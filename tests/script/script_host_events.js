// host: chooser-script
// The project's script host from JScript, on the helper server's event probe: a handler bound with
// WScript.ConnectObject hears the events with their texts; a JScript object receives the late-bound
// call with two texts by reference, as the file dialog calls its buddy.

var heard = "";
function probe_PreviewItemChanged(sFileName, sFileTitle) {
    heard += "[" + sFileName + "|" + sFileTitle + "]";
}

var probe = new ActiveXObject("ChooserPreview.EventProbe");

group("ConnectObject binds <prefix><event>", function () {
    WScript.ConnectObject(probe, "probe_");
    checkEqual(probe.SinkCount, 1, "one sink on the probe");
    probe.Raise("C:\\Pictures\\photo.bmp", "bmp");
    probe.Raise("", "");
    checkEqual(heard, "[C:\\Pictures\\photo.bmp|bmp][|]", "two events, in order, with their texts");
});

group("DisconnectObject", function () {
    WScript.DisconnectObject(probe);
    probe.Raise("after", "x");
    checkEqual(heard, "[C:\\Pictures\\photo.bmp|bmp][|]", "nothing heard after DisconnectObject");
});

group("a JScript object receives the buddy call", function () {
    var log = "";
    var buddy = {
        clsPickerFileOpenSaveA_PreviewItemChanged: function (sFileName, sFileTitle) {
            log += "[" + sFileName + "|" + sFileTitle + "]";
        }
    };
    checkEqual(probe.CallByName(buddy, "clsPickerFileOpenSaveA_PreviewItemChanged", "C:\\x.ico", "ico"), 0, "the call");
    checkEqual(log, "[C:\\x.ico|ico]", "the object's method heard it");
});

summary();
