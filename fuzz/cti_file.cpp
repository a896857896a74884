// "cti.dat" as the network tool leaves it in the shared folder.
#include "fuzzsupport.h"

#include "callerid/callerid.h"
#include "store/helpers.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fuzz::Input in(data, size);
    Fuzz::WriteFile(kCtiFileName, in.rest());
    const auto number = ReadSharedCtiNumber(Fuzz::DataFolder());
    Fuzz::Check(number.has_value(), "a readable cti.dat was not read");
    Fuzz::Check(!number->contains(QLatin1Char('\n')), "the number holds a line end");
    IsPhoneInput(*number);
    return 0;
}
