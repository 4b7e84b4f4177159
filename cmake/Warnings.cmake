# Warnings on and clean; the sanitizer build adds AddressSanitizer and
# UndefinedBehaviorSanitizer to every target.
function(crucirco_apply_warnings target)
    target_compile_options(${target} INTERFACE -Wall -Wextra -Wpedantic -Werror=return-type -Werror=unused-result)
    if(CRUCIRCO_SANITIZE)
        target_compile_options(${target} INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
            -fno-sanitize-recover=undefined)
        target_link_options(${target} INTERFACE -fsanitize=address,undefined)
    endif()
endfunction()
