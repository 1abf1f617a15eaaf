# vorelin_public_headers(TARGET FOLDER): makes the headers of src/FOLDER
# reachable as "FOLDER/Name.h" to TARGET and to what links it, and to nothing
# else. Each library gets an include root of its own in the build tree that
# holds links to its own headers only, so an include from a library that is
# not linked (one above, or beside) fails to compile.
function(vorelin_public_headers target folder)
    set(root ${PROJECT_BINARY_DIR}/include/${target})
    file(REMOVE_RECURSE ${root})
    file(MAKE_DIRECTORY ${root}/${folder})
    file(GLOB headers CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${folder}/*.h)
    foreach(header IN LISTS headers)
        get_filename_component(name ${header} NAME)
        file(CREATE_LINK ${header} ${root}/${folder}/${name} SYMBOLIC)
    endforeach()
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "INTERFACE_LIBRARY")
        target_include_directories(${target} INTERFACE ${root})
    else()
        target_include_directories(${target} PUBLIC ${root})
    endif()
    set_property(GLOBAL APPEND PROPERTY VORELIN_HEADER_ROOTS ${root})
endfunction()
