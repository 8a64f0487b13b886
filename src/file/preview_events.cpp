// How the explorer hook's preview notifications reach the client.
#include "file/file_dialog.h"

#include "frame/handler.h"

namespace cz {

void clsZqPickerFileOpenSaveA::RaisePreviewItemChanged(String& fileName, String& fileTitle) noexcept {
    // Resume-next mode: a buddy without the method, or a failing handler, is skipped without a trace.
    try {
        Handler on = Handler::ResumeNext();
        // Decided anew for every delivery: the client may set or clear its buddy from a handler.
        if (Object buddy = buddyObject_) {
            on.step([&] {
                std::vector<Arg> args{{fileName}, {fileTitle}};
                buddy->call(u"clsPickerFileOpenSaveA_PreviewItemChanged", args);
            });
            return;
        }
        on.step([&] {
            if (previewEvent_) previewEvent_(fileName, fileTitle);
        });
    } catch (...) {
    }
}

}  // namespace cz
