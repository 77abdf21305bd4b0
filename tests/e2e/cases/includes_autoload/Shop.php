<?php
class Shop
{
    function open()
    {
        return nepostojeca_funkcija();
    }
}
