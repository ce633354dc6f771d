# Speed of filling a collection's thumbnail sheet. Not a test: run it by hand
# from a Release build. Its 100 large pictures are made once into the build
# folder's bench-cache/.
add_executable(weftara_collections_bench ${CMAKE_CURRENT_LIST_DIR}/collectionsbench.cpp)
target_link_libraries(weftara_collections_bench PRIVATE weftara_collections)
target_compile_definitions(weftara_collections_bench PRIVATE
    WEFTARA_BENCH_CACHE="${CMAKE_BINARY_DIR}/bench-cache")
