// A host project built against the installed OrvaneSDK package.
#include "ovexception/ExceptionBase.h"

#include <iostream>

int main()
{
    const orvane::ExceptionBase error("consumer built", false);
    std::cout << error.what() << "\n";
    return 0;
}
