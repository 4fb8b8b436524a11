#include "game/catalogue.h"

std::string_view bookName(Testament testament, int tag)
{
    if (tag < 1 || tag > bookCount(testament))
        return {};
    return testament == Testament::New ? NTBookNames[tag - 1] : OTBookNames[tag - 1];
}
