// The file dialog from JScript, shown for real and answered by the pilot on files the script makes: a
// multiple selection walked with GetNextFileName, the index given and left out, and a cancel that keeps
// the results.
//
// pilot: file "alpha.txt" "beta.txt", cancel
// expect-dialog: 1 caption="Pick two"

var fso = new ActiveXObject("Scripting.FileSystemObject");
var folder = "C:\\Chooser10 script files js";
if (!fso.FolderExists(folder)) fso.CreateFolder(folder);
var names = ["alpha.txt", "beta.txt", "gamma.txt"];
for (var n = 0; n < names.length; n++) fso.CreateTextFile(folder + "\\" + names[n], true).Close();

var f = new ActiveXObject("Chooser10.clsZqPickerFileOpenSaveA");

group("a multiple selection of two files", function () {
    f.Init("Text files|*.txt", 1, folder, "", "Pick two", 0, 0x280200);
    checkEqual(f.Show(0), true, "Show after two files were chosen");
    checkEqual(f.FileCount, 2, "FileCount");
    checkEqual(f.SelectedPath, folder, "SelectedPath");
    var paths = [];
    for (var i = 1; i <= f.FileCount; i++) paths.push(f.GetNextFileName(i));
    checkEqual(paths.join(";"), folder + "\\alpha.txt;" + folder + "\\beta.txt", "each path through GetNextFileName");
    checkEqual(f.GetNextFileName(), folder + "\\alpha.txt", "GetNextFileName with the index left out");
    checkEqual(f.GetNextFileName(0), folder + "\\alpha.txt", "index 0 gives FileName");
});

group("a cancel keeps the results", function () {
    checkEqual(f.Show(0), false, "Show after Cancel");
    checkEqual(f.FileCount, 2, "FileCount");
    checkEqual(f.GetNextFileName(2), folder + "\\beta.txt", "the second path");
});

try { fso.DeleteFolder(folder, true); } catch (e) { }  // the dialog may still hold the folder open
summary();
