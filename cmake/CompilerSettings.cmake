# Warnings and sanitizers for every target of the project.
add_compile_options(-Wall -Wextra)
if(VORELIN_WERROR)
    add_compile_options(-Werror)
endif()

if(VORELIN_SANITIZE)
    add_compile_options(-fsanitize=${VORELIN_SANITIZE} -fno-omit-frame-pointer -fno-sanitize-recover=all)
    add_link_options(-fsanitize=${VORELIN_SANITIZE})
endif()

# The driver library exports only what it marks.
set(CMAKE_CXX_VISIBILITY_PRESET hidden)
set(CMAKE_VISIBILITY_INLINES_HIDDEN ON)
