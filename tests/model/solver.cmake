# The slide solver: its index of the space, the published facts, solutions
# replayed on the board and checked against a plain search.
quill_add_test(test_solver test_solver.cpp LIBS quillmodel)
