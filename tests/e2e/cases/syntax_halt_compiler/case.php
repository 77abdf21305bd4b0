<?php
echo 1;
__halt_compiler();
) ] } <?php $a = = ( [
