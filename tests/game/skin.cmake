# Skin pictures: every format, damaged files, the picture clip and the
# shipped skins.

# The skin tests draw with the generator's library; tools/ may not list the
# generator yet.
if(NOT TARGET quillskinart)
  add_subdirectory(${CMAKE_SOURCE_DIR}/tools/skingen ${CMAKE_BINARY_DIR}/tools/skingen)
endif()

find_path(UEMF_INCLUDE_DIR uemf.h REQUIRED)
find_library(UEMF_LIBRARY uemf REQUIRED)

quill_add_test(test_pictureformats test_pictureformats.cpp LIBS quillskin quillskinart ${UEMF_LIBRARY})
target_include_directories(test_pictureformats PRIVATE ${UEMF_INCLUDE_DIR})
quill_add_test(test_skinpictures test_skinpictures.cpp LIBS quillskin quillskinart)
# The shipped skins are checked in the program folder too.
add_dependencies(test_skinpictures quill_data)
# The game on a screen scaled to 200 % (the suite sets the scale itself).
quill_add_test(test_hidpi test_hidpi.cpp LIBS quillgametestsupport quillskinart)
# A 200 % screen that holds the game's usual window (the headless default,
# 400 x 400 at 200 %, does not, and the window would open smaller).
set_property(TEST test_hidpi APPEND PROPERTY ENVIRONMENT
  "QT_QPA_PLATFORM=offscreen:configfile=${CMAKE_CURRENT_SOURCE_DIR}/screen-1920x1080.json")
