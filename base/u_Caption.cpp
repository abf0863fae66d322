#include "base/u_Caption.h"

std::string_view NamePart(std::string_view fileName)
{
    const auto slash = fileName.find_last_of("/\\");
    return slash == std::string_view::npos ? fileName : fileName.substr(slash + 1);
}

const char* ProgramVersion()
{
    return PLEXA_VERSION_TEXT;
}

std::string FormCaption(std::string_view version, bool beta, bool modified,
                        std::string_view fileName)
{
    std::string caption = "Velko's Gridfest v.";
    caption += version;
    if (beta) caption += " Beta";
    caption += " - ";
    caption += modified ? '*' : ' ';
    caption += NamePart(fileName);
    return caption;
}
