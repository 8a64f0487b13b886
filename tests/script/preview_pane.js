// host: chooser-script
// The preview pane from JScript, in the real open dialog: a handler bound with WScript.ConnectObject
// hears the highlighted file as ("", ""), ("", ""), (path, extension), and a JScript object set as
// BuddyObject hears the same instead of the handler.
//
// pilot: highlight, highlight
// expect-dialog: 1 caption="Preview from JScript: event"
// expect-dialog: 2 caption="Preview from JScript: buddy"

var fso = new ActiveXObject("Scripting.FileSystemObject");
var folder = fso.GetSpecialFolder(2) + "\\chooser-preview-pane-js";
if (!fso.FolderExists(folder)) fso.CreateFolder(folder);
var icon = folder + "\\sample.ico";
fso.CreateTextFile(icon, true).Close();

var heard = "";
function fd_PreviewItemChanged(sFileName, sFileTitle) {
    heard += "[" + sFileName + "|" + sFileTitle + "]";
}

var fd = new ActiveXObject("Chooser10.clsZqPickerFileOpenSaveA");
WScript.ConnectObject(fd, "fd_");

group("an event handler hears the highlighted file", function () {
    fd.Init("Icons|*.ico", 1, folder, "", "Preview from JScript: event", 0, 0x280020, true);
    checkEqual(fd.Show(0), false, "Show after the pilot cancelled");
    check(heard.indexOf("[|][|][" + icon + "|ico]") >= 0, "two empty notifications, then the path and its extension: " + heard);
});

group("a JScript object as BuddyObject", function () {
    var log = "";
    var buddy = {
        clsPickerFileOpenSaveA_PreviewItemChanged: function (sFileName, sFileTitle) {
            log += "[" + sFileName + "|" + sFileTitle + "]";
        }
    };
    fd.BuddyObject = buddy;
    heard = "";
    fd.DialogTitle = "Preview from JScript: buddy";
    checkEqual(fd.Show(0), false, "Show after the pilot cancelled");
    check(log.indexOf("[|][|][" + icon + "|ico]") >= 0, "the buddy heard the file: " + log);
    checkEqual(heard, "", "and the event handler nothing");
    fd.BuddyObject = null;
});

WScript.DisconnectObject(fd);
try { fso.DeleteFolder(folder, true); } catch (e) { }  // the dialog may still hold the folder open
summary();
