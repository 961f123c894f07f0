#include "app/Startup.h"
#include "hid/linux/HidApiPlatform.h"

int main(int argc, char** argv) {
    return breezekit::runApplication(argc, argv,
                                     [] { return std::make_unique<breezekit::HidApiPlatform>(); });
}
