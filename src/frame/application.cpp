#include "frame/application.h"

#include "frame/property_bag.h"
#include "frame/version.h"

namespace cz {
namespace {

std::size_t nameStart(const String& path) {
    auto slash = path.find_last_of(u"\\/");
    return slash == String::npos ? 0 : slash + 1;
}

}  // namespace

String LibraryTitle(Platform& platform) {
    String path = platform.LibraryPath();
    String name = path.substr(nameStart(path));
    auto dot = name.rfind(u'.');
    return dot == String::npos ? name : name.substr(0, dot);
}

Object ApplicationObject(Platform& platform) {
    String path = platform.LibraryPath();
    String folder = path.substr(0, nameStart(path));
    if (folder.size() > 1 && (folder.back() == u'\\' || folder.back() == u'/')) folder.pop_back();
    String title = LibraryTitle(platform);
    return std::make_shared<PropertyBag>(std::vector<std::pair<String, Variant>>{
        {u"Title", title},
        {u"EXEName", title},
        {u"Path", folder},
        {u"Major", std::int32_t{kVersionMajor}},
        {u"Minor", std::int32_t{kVersionMinor}},
        {u"Revision", std::int32_t{kVersionPatch}},
        {u"FileDescription", String(u"Standard dialogs for automation clients")},
    });
}

Object ErrorObject(const ErrorInfo& info) {
    return std::make_shared<PropertyBag>(std::vector<std::pair<String, Variant>>{
        {u"Number", info.number},
        {u"Source", info.source},
        {u"Description", info.description},
        {u"HelpFile", String()},
        {u"HelpContext", std::int32_t{0}},
    });
}

}  // namespace cz
