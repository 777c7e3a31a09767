# Lays out the program folder STAGE from the installation image IMAGE (run with cmake -P).
file(MAKE_DIRECTORY ${STAGE}/config ${STAGE}/data ${STAGE}/bkp ${STAGE}/photo)

# Replaced on every build: they belong to the program, not to the surgery.
foreach(name ukr.lng)
    file(COPY_FILE ${IMAGE}/config/${name} ${STAGE}/config/${name} ONLY_IF_DIFFERENT)
endforeach()

# Kept once made: settings, phrases and records entered by the user.
foreach(rel config/sdata.opt config/net.opt config/menus.cfg data/data.base)
    if(NOT EXISTS ${STAGE}/${rel})
        file(COPY_FILE ${IMAGE}/${rel} ${STAGE}/${rel})
    endif()
endforeach()
