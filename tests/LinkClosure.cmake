# What a target links, directly or through the libraries it links: the names of every target
# reached, for the tests that hold a layer below another.
function(tavrix_link_closure target out)
    set(reached "")
    set(pending ${target})
    while(pending)
        list(POP_FRONT pending current)
        # A static library keeps its private links in its interface as $<LINK_ONLY:name>;
        # they are linked into whatever links it.
        string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" current "${current}")
        if(current IN_LIST reached OR NOT TARGET "${current}")
            continue()
        endif()
        list(APPEND reached "${current}")
        foreach(property LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
            get_target_property(links "${current}" ${property})
            if(links)
                list(APPEND pending ${links})
            endif()
        endforeach()
    endwhile()
    list(REMOVE_ITEM reached "${target}")
    set(${out} "${reached}" PARENT_SCOPE)
endfunction()

# A test that `target` reaches every one of `REQUIRED` and no target whose name starts with one
# of `FORBIDDEN`.
function(tavrix_add_layer_test name target)
    cmake_parse_arguments(PARSE_ARGV 2 layer "" "" "REQUIRED;FORBIDDEN")
    tavrix_link_closure(${target} links)
    # Lists go to the script joined by commas: add_test would split them into arguments.
    foreach(list links layer_REQUIRED layer_FORBIDDEN)
        string(REPLACE ";" "," ${list} "${${list}}")
    endforeach()
    add_test(NAME ${name}
        COMMAND ${CMAKE_COMMAND} -DTARGET=${target} -DLINKS=${links} -DREQUIRED=${layer_REQUIRED}
            -DFORBIDDEN=${layer_FORBIDDEN} -P ${PROJECT_SOURCE_DIR}/tests/LayerLinks.cmake)
endfunction()
