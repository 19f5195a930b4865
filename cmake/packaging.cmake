# Install rules for what the phone's launcher needs (the desktop entry and the
# launcher icons), and the tests that keep the install tree, the package's
# file list and the installed program in step.
if(HOPLIX_BUILD_APP)
    install(FILES "${CMAKE_SOURCE_DIR}/harbour-hoplix.desktop" DESTINATION share/applications)
    foreach(size 86 108 128 172)
        install(FILES "${CMAKE_SOURCE_DIR}/icons/${size}x${size}/harbour-hoplix.png"
            DESTINATION "share/icons/hicolor/${size}x${size}/apps")
    endforeach()
endif()

if(HOPLIX_BUILD_TESTS AND HOPLIX_BUILD_APP)
    find_package(Python3 REQUIRED COMPONENTS Interpreter)
    set(packaging_check "${CMAKE_SOURCE_DIR}/tests/packaging/packaging_check.py")
    set(packaging_checks install-matches-files spec-parses installed-app-starts entry-file)
    # The store's rules judge the binary as shipped: an instrumented build
    # links the sanitizers' runtimes and is no such binary.
    if(NOT CMAKE_CXX_FLAGS MATCHES "-fsanitize")
        list(APPEND packaging_checks harbour-rules)
    endif()
    foreach(check ${packaging_checks})
        add_test(NAME packaging_${check}
            COMMAND "${Python3_EXECUTABLE}" "${packaging_check}" ${check}
                "${CMAKE_SOURCE_DIR}" "${CMAKE_BINARY_DIR}")
        set_tests_properties(packaging_${check} PROPERTIES
            SKIP_RETURN_CODE 77
            # Installing writes install_manifest.txt into the build tree.
            RESOURCE_LOCK hoplix_install
            ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_QUICK_BACKEND=software")
    endforeach()
endif()
