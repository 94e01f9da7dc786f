/* The report texts of the AviSynth binding. Included by the string table resource and by
   the native build, so both hold the same bytes. Plain preprocessor text only: the resource
   compiler reads this file too. */
#ifndef ZANDOLIN_AVS_STRINGS_H
#define ZANDOLIN_AVS_STRINGS_H

#define AVS_TEXT_11201 "Can not find or can not load \042avisynth.dll\042. \nAviSynth must be installed on your computer or most \nfeatures of Zandolin will not be available.\n \nAVSERR_01 \nConsult the Zandolin documentation for details."
#define AVS_TEXT_11202 "AviSynth failed to load the required lib function. \nAviSynth interface is not available.\n \nAVSERR_02 \nConsult the Zandolin documentation for details."
#define AVS_TEXT_11203 "An attempt to get a script environment pointer from AviSynth has \nfailed.  The following details are available.\n\n\t"
#define AVS_TEXT_11204 "An attempt to determine the version of AviSynth has failed. \nIf your installation is functional, it is older than 2.07 and is \nnot supported.  The following details are available.\n\n\t"
#define AVS_TEXT_11205 "An attempt to look up internal function names and keywords has \nfailed.  Available details follow.\n\n\t"
#define AVS_TEXT_11206 "An attempt to look up plug-in function names has failed. \nAvailable details follow.\n\n\t"
#define AVS_TEXT_11207 "An attempt to get a script environment pointer for parameter look up \nhas failed.  The following details are available.\n\n\t"
#define AVS_TEXT_11208 "An attempt to look up a parameter string has failed. \nThe following details are available.\n\n\t"
#define AVS_TEXT_11209 "An attempt to look up a paramenter string has returned data that is \nnot valid."
#define AVS_TEXT_11210 "An attempt to get a script environment pointer for script properties \nlook up has failed.  The following details are available.\n\n\t"
#define AVS_TEXT_11211 "AviSynth reports an error in your script.\n\n"
#define AVS_TEXT_11212 "An error was detected while testing your script for\n \n\t\042OPT_AllowFloatAudio\042\n \nThe following details are available.\n\n\t"

#endif
