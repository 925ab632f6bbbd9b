add_compile_options(-Wall -Wextra)
if(ZCAD_WERROR)
  add_compile_options(-Werror)
endif()
