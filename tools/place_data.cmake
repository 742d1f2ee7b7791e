# Copies the shipped files beside the executable without touching what a
# user already has there.
if(NOT EXISTS "${DST}/Affirmations")
  file(COPY "${SRC}/Affirmations" DESTINATION "${DST}")
endif()
if(EXISTS "${SRC}/Help" AND NOT EXISTS "${DST}/Help")
  file(COPY "${SRC}/Help" DESTINATION "${DST}")
endif()
