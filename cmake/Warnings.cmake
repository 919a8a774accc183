# Compiler warnings and sanitizers for every LUMBRIX target.
function(lumbrix_set_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow=local
        -Wnon-virtual-dtor -Woverloaded-virtual -Wimplicit-fallthrough)
    if(LUMBRIX_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()

if(LUMBRIX_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
        -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()
