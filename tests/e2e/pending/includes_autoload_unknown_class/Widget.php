<?php
class Widget
{
}
