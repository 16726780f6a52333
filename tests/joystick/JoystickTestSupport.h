#pragma once

#include "components/PadReport.h"

#include <QCoreApplication>
#include <SDL.h>
#include <chrono>
#include <ostream>
#include <string>
#include <thread>

// Runs on Linux and, under Wine, on Windows, where Qt's test library is not
// built: the waits below stand in for its own.

// The joystick's timer needs an event loop; one application object serves the
// whole test program.
inline void EnsureQtApplication() {
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char name[] = "brimal_tests";
    static char* argv[] = {name, nullptr};
    new QCoreApplication(argc, argv);
}

// Handles Qt's events until `condition` holds or `limitMs` has passed;
// whether it held.
template <class Condition> bool WaitWithEvents(Condition condition, int limitMs) {
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMs);
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= giveUp) return condition();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 2);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

inline void WaitWithEvents(int ms) {
    WaitWithEvents([] { return false; }, ms);
}

// Found by GoogleTest through the report's own namespace.
inline void PrintTo(const JoystickReport& r, std::ostream* out) {
    *out << "{buttons " << r.Buttons << ", x " << r.X << ", y " << r.Y
         << (r.Start ? ", start}" : "}");
}

// The pads the tests plug in. Each exists only inside SDL.
struct PadKind {
    SDL_JoystickType Type;
    Uint16 Axes, Buttons, Hats;
    Uint16 Vendor = 0, Product = 0;
    const char* Name = nullptr;
};
// SDL makes a game controller of this type whatever its parts, button n being
// controller button n: the D-pad is buttons 11 to 14 and Start is button 6.
inline constexpr PadKind SdlGameController{SDL_JOYSTICK_TYPE_GAMECONTROLLER, 6, 15, 0};
// A joystick that no mapping names: read raw.
inline constexpr PadKind PlainJoystick{SDL_JOYSTICK_TYPE_UNKNOWN, 2, 4, 1};
// The vendor and product of a common pad. SDL's own database maps it with the
// D-pad on hat 0, but not as a virtual pad: SDL's GUID of a pad names the bus
// it is plugged into, and a virtual pad's bus is no USB.
inline constexpr PadKind KnownPad{SDL_JOYSTICK_TYPE_UNKNOWN, 6, 11, 1, 0x045e, 0x028e};

// A pad that exists only inside SDL; as the only one it is device 0. Values
// set show at SDL's next joystick update. By default a game controller with
// 2 axes and 2 buttons.
class VirtualJoystick {
public:
    explicit VirtualJoystick(const PadKind& kind = {SDL_JOYSTICK_TYPE_GAMECONTROLLER, 2, 2, 0})
        : kind_(kind) {
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = static_cast<Uint16>(kind.Type);
        desc.naxes = kind.Axes;
        desc.nbuttons = kind.Buttons;
        desc.nhats = kind.Hats;
        desc.vendor_id = kind.Vendor;
        desc.product_id = kind.Product;
        desc.name = kind.Name;
        index_ = SDL_JoystickAttachVirtualEx(&desc);
        if (index_ >= 0) handle_ = SDL_JoystickOpen(index_);
    }
    ~VirtualJoystick() {
        if (handle_) SDL_JoystickClose(handle_);
        if (index_ >= 0) SDL_JoystickDetachVirtual(index_);
    }
    VirtualJoystick(const VirtualJoystick&) = delete;
    VirtualJoystick& operator=(const VirtualJoystick&) = delete;

    bool Attached() const { return handle_ != nullptr; }
    // The GUID as mapping files name the pad: without the checksum of its name
    // (bytes 2 and 3) that SDL's own GUID carries.
    std::string MappingGuid() const {
        SDL_JoystickGUID guid = SDL_JoystickGetGUID(handle_);
        guid.data[2] = guid.data[3] = 0;
        char text[33];
        SDL_JoystickGetGUIDString(guid, text, sizeof text);
        return text;
    }
    void Set(Sint16 x, Sint16 y, bool button1, bool button2) {
        SDL_JoystickSetVirtualAxis(handle_, 0, x);
        SDL_JoystickSetVirtualAxis(handle_, 1, y);
        SDL_JoystickSetVirtualButton(handle_, 0, button1);
        SDL_JoystickSetVirtualButton(handle_, 1, button2);
    }
    void Axis(int axis, Sint16 value) { SDL_JoystickSetVirtualAxis(handle_, axis, value); }
    void Button(int button, bool held) { SDL_JoystickSetVirtualButton(handle_, button, held); }
    void Hat(Uint8 value) { SDL_JoystickSetVirtualHat(handle_, 0, value); }
    // Every axis centred, every button released, the hat centred.
    void Neutral() {
        for (int axis = 0; axis < kind_.Axes; ++axis)
            Axis(axis, 0);
        for (int button = 0; button < kind_.Buttons; ++button)
            Button(button, false);
        if (kind_.Hats > 0) Hat(SDL_HAT_CENTERED);
    }

private:
    PadKind kind_;
    int index_ = -1;
    SDL_Joystick* handle_ = nullptr;
};
