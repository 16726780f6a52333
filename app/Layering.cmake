# The rooms of app/ and the rooms each one may use. Every arrow points down:
# a room uses only the rooms below it, never one above or beside it.
#
#     app (main.cpp, the main window)
#      |-> records    what follows a game: the game-over hand-off, the table's replays
#      |     '-> play
#      |-> input      keys and joystick 1
#      |     '-> play
#      |-> play       the game behind the window: session, engine thread, clock, host
#      |     '-> view
#      |-> view       the board surface, the well and preview, the counters
#      '-> platform   the desktop's services, one file per platform
#
# app/CMakeLists.txt links each room's library to the rooms listed here, and the
# layering test (tests/app/check_layering.cmake) fails when a file of a room
# includes a header of a room it may not use.
set(BRIMAL_APP_ROOMS records input play view platform)
set(BRIMAL_ROOM_app_USES records input play view platform)
set(BRIMAL_ROOM_records_USES play)
set(BRIMAL_ROOM_input_USES play)
set(BRIMAL_ROOM_play_USES view)
set(BRIMAL_ROOM_view_USES)
set(BRIMAL_ROOM_platform_USES)

# Below app/ lie the floors it builds on. None of them includes app/, and the
# engine includes nothing of ours outside engine/.
set(BRIMAL_FLOORS_BELOW_APP engine settings components resources scores replay)
