# The album page writer's golden pages.
velmo_add_test(tst_albumpage SOURCES tst_albumpage.cpp LIBS velmo_core)
target_compile_definitions(tst_albumpage PRIVATE VELMO_GOLDEN_DIR="${CMAKE_CURRENT_SOURCE_DIR}/golden")
