@echo off
path WinAVR\bin
set C_INCLUDE_PATH=WinAVR/avr/include

cd c

echo ATtiny45—p‚Å‚·B

SET /P ANSWER="‘±‚¯‚Ä‚æ‚ë‚µ‚¢‚Å‚·‚© (Y/N)?
if /i {%ANSWER%}=={y} (goto :yes) 
if /i {%ANSWER%}=={n} (goto :no) 
:no
echo ˆ—‚ðI—¹‚µ‚Ü‚· & pause > nul & exit

:yes

avr-gcc -Os -mmcu=attiny45 -DEND_REPEAT_NUM=3 -DFIXED_DOWN_TIMER_SEC=6 -DWAIT_H_LEVEL tonefw.c -o at45.elf

if ERRORLEVEL 1 pause

avr-objcopy -O ihex at45.elf tmp45.hex
sed15 -e "$d" tmp45.hex > at45.hex

erase tmp45.hex
erase at45.elf

echo Making orgola.hex...

copy /Y at45.hex orgola.hex > NUL

onigsed -f nota2ev1.sed %1 | onigsed -f nota2ev2.sed | jgawk -f evtstep0.awk | sed15 -f evtstep1.sed | onigsed -f evtstep2.sed |jgawk -f evthx.awk >> orgola.hex

if ERRORLEVEL 3 goto MELO3
if ERRORLEVEL 2 goto MELO2

:MELO1
echo There was one track in the score.
goto WRITE

:MELO2
echo There was two tracks in the score.
goto WRITE

:MELO3
echo There was three tracks in the score.

:WRITE
echo Writing...

hidspx -ph -d4 -fl11100010 orgola.hex

if ERRORLEVEL 1 pause
:WRITE
cd ..

