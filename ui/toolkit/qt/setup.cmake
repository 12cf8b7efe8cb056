# What the Qt back end needs found before anything uses it, in the top directory so that every
# folder sees its targets: the widgets, and Qt's test library for the window's tests and
# benchmarks.
set(qt_components Widgets)
if(QUORVEL_BUILD_TESTS OR QUORVEL_BUILD_BENCH)
    list(APPEND qt_components Test)
endif()
find_package(Qt6 6.4 REQUIRED COMPONENTS ${qt_components})
