# The fuzz targets, shared by the libFuzzer build (fuzz/CMakeLists.txt) and
# the corpus replay tests (fuzz/replay/CMakeLists.txt). Each name has its
# harness fuzz/fuzz_<name>.cpp, its corpus fuzz/corpus/<name>/ and the
# libraries listed here.
set(QUILL_FUZZ_DIR ${CMAKE_CURRENT_LIST_DIR})

set(QUILL_FUZZ_TARGETS levelfile savedgame settings solver skin progress levelcode)
set(QUILL_FUZZ_LIBS_levelfile quillmodel)
set(QUILL_FUZZ_LIBS_savedgame quillmodel)
set(QUILL_FUZZ_LIBS_settings quillmodel)
set(QUILL_FUZZ_LIBS_solver quillmodel)
set(QUILL_FUZZ_LIBS_skin quillskin Qt6::Gui)
set(QUILL_FUZZ_LIBS_progress quillmodel)
set(QUILL_FUZZ_LIBS_levelcode quillmodel)
