# Speed of filling a collection's thumbnail sheet. Not a test: run it by hand
# from a Release build. Its large pictures are made once into the build
# folder's bench-cache/, the turned JPEGs with the tests' EXIF writer.
add_executable(weftara_collections_bench ${CMAKE_CURRENT_LIST_DIR}/collectionsbench.cpp
    ${PROJECT_SOURCE_DIR}/tests/support/exiforientation.cpp)
target_include_directories(weftara_collections_bench PRIVATE ${PROJECT_SOURCE_DIR}/tests)
target_link_libraries(weftara_collections_bench PRIVATE weftara_collections weftara_heifwriter weftara_benchsupport)
target_compile_definitions(weftara_collections_bench PRIVATE
    WEFTARA_BENCH_CACHE="${CMAKE_BINARY_DIR}/bench-cache")
