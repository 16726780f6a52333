#include "app/input/KeyTable.h"

#include <QKeyEvent>

#include "engine/KeyAction.h"

bool IsSystemKeyDown(const QKeyEvent& event) {
    return event.modifiers() & Qt::AltModifier;
}

int VirtualKeyOf(const QKeyEvent& event) {
    const bool keypad = event.modifiers() & Qt::KeypadModifier;
    switch (event.key()) {
    case Qt::Key_Escape:
        return VirtualKey::Escape;
    case Qt::Key_Space:
        return VirtualKey::Space;
    case Qt::Key_X:
        return VirtualKey::X;
    case Qt::Key_Z:
        return VirtualKey::Z;
    case Qt::Key_Left:
        return keypad ? VirtualKey::Numpad4 : VirtualKey::Left;
    case Qt::Key_Up:
        return keypad ? VirtualKey::Numpad8 : VirtualKey::Up;
    case Qt::Key_Right:
        return keypad ? VirtualKey::Numpad6 : VirtualKey::Right;
    case Qt::Key_Down:
        return keypad ? VirtualKey::Numpad2 : VirtualKey::Down;
    // With Num Lock on, the keypad gives digits; with it off, the arrows
    // above, Insert for 0 and Clear for 5.
    case Qt::Key_0:
    case Qt::Key_Insert:
        return keypad ? VirtualKey::Numpad0 : 0;
    case Qt::Key_2:
        return keypad ? VirtualKey::Numpad2 : 0;
    case Qt::Key_4:
        return keypad ? VirtualKey::Numpad4 : 0;
    case Qt::Key_5:
    case Qt::Key_Clear:
        return keypad ? VirtualKey::Numpad5 : 0;
    case Qt::Key_6:
        return keypad ? VirtualKey::Numpad6 : 0;
    case Qt::Key_8:
        return keypad ? VirtualKey::Numpad8 : 0;
    default:
        return 0;
    }
}

int KeyYield(int virtualKey, const std::array<int, 10>& keyActions) {
    switch (virtualKey) {
    case VirtualKey::Escape:
        return MinimiseAction;
    case VirtualKey::Space:
        return keyActions[3];
    case VirtualKey::Left:
    case VirtualKey::Numpad4:
        return kaMoveLeft;
    case VirtualKey::Up:
        return keyActions[1];
    case VirtualKey::Right:
    case VirtualKey::Numpad6:
        return kaMoveRight;
    case VirtualKey::Down:
        return keyActions[2];
    case VirtualKey::X:
        return keyActions[4];
    case VirtualKey::Z:
        return keyActions[5];
    case VirtualKey::Numpad0:
        return keyActions[8];
    case VirtualKey::Numpad2:
        return keyActions[9];
    case VirtualKey::Numpad5:
        return keyActions[7];
    case VirtualKey::Numpad8:
        return keyActions[6];
    default:
        return NoAction;
    }
}
