#pragma once

// What a key or joystick input asks the engine to do. Codes 0 to 4 are the
// choices offered for the assignable keys, in this order; 5 and 6 belong to the
// fixed left and right keys. Stored settings hold these numbers.
enum TKeyAction : int {
    kaDropFast = 0,
    kaDropAll = 1,
    kaRotateLeft = 2,
    kaRotateRight = 3,
    kaNone = 4,
    kaMoveLeft = 5,
    kaMoveRight = 6,
};
